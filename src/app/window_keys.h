#pragma once

#include "app/camera.h"

class QKeyEvent;

// The direction an arrow key moves the camera, or None for any other key.
ScrollDirection ArrowKeyDirection(int key);

// The digit 0..9 of a key of the main keyboard's digit row, whatever the
// modifiers and the layout make of it (Shift+3 arrives as '#' on a US
// layout), or -1 for any other key, the keypad's digits among them. The key
// is told by its place where the platform reports it; events without one
// (sent by a program) by its key.
int DigitRowKey(const QKeyEvent& event);
