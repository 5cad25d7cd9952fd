#pragma once

class QWidget;

// Sets a window's opacity where the platform has per-window opacity.
void applyOpacity(QWidget *window, double opacity);
