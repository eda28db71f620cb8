#pragma once

// Runs the whole wizard on the calling thread; 512 when it ran through, 0 otherwise.
int runWizard(int argc, char **argv);

// Point size of the application font: zoom DPI × 10 ÷ base DPI, truncated.
int applicationFontPointSize(double zoomDpi, double baseDpi);
