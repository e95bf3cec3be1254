#pragma once
// Included before AGG's headers: its block allocator and rasterizer trip two
// of GCC's flow analyses inside its own templates, which are instantiated in
// our files and so escape the system-header exemption.
#pragma GCC diagnostic ignored "-Wuse-after-free"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
