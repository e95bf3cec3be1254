#pragma once
// The installation's folders for dialog tests that look at what they draw
// and open: the skins, helmets and help pages linked into the test's folder,
// the image caches and the skin-coloured dialog brushes made as start-up
// makes them.
void Link_Installation_Folders();
// Frees the caches and brushes and removes the links.
void Unlink_Installation_Folders();
