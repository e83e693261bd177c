#pragma once

// Before the application object: on Qt 5, lays windows out in device-independent pixels scaled
// to the screen and picks a style sheet's or icon's "@2x" image where the screen has two device
// pixels to one. Qt 6 does both always.
void enableHighDpi();
