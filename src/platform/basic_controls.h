#pragma once
// The plain controls the layer's own dialogs need: a push button that reports
// its click, static text, frames and a progress bar. Every other kind gets a
// plain framed box. A class registered under a control's name before these
// are (the full controls) is kept.

// Registers the plain controls whose class names are still free.
void Register_Basic_Controls();
