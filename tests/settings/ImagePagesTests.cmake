# Tests of the image settings pages and panel (none yet).
