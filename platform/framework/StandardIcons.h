#pragma once
// The system's standard icons (IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION,
// IDI_ASTERISK), drawn in code at 32 x 32: a stop sign with a cross, a blue disc with a question
// mark, a yellow warning triangle, a blue disc with an "i", and a small application window. Edges
// are anti-aliased by 4 x 4 supersampling so that the boxes look right on a desktop.

#include "platform/framework/IconImage.h"
#include "platform/framework/WinTypes.h"

// The picture of a standard icon id; an id that names no standard icon gives an empty image.
IconImage StandardIcon(LPCSTR id);
