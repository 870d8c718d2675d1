// The download from the main window through a simulated station.
