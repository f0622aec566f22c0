# Picture analysis: sources of this part of the window (none yet).
