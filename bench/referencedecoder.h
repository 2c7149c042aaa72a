#pragma once

#include <QImage>

// The frame painter written the slow, obvious way: every pixel byte is fetched from the
// file with its own seek and read, and every colour from the palette file likewise. It is
// the yardstick the real decoder is measured against, and the check that both paint alike.
// A missing frame file gives the grey picture; a missing or short palette paints black.
QImage referenceRenderFrame(const char* framePath, const char* palettePath, int sizeMode);
