// Writes a canvas as a baseline JPEG with libjpeg.
#pragma once

#include "canvas.h"

#include <string>

bool SaveJpeg(Canvas& canvas, const std::string& path, int quality);

#include <memory>

// Reads a JPEG into a new opaque canvas; null when it cannot be read.
std::unique_ptr<Canvas> LoadJpeg(const std::string& path);
