#pragma once
// Included before AGG's headers: its block allocator and rasterizer trip two
// of GCC's flow analyses inside its own templates, which are instantiated in
// our files and so escape the system-header exemption. Clang has neither
// analysis and would refuse the unknown names.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuse-after-free"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
