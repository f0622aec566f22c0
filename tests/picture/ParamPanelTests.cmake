# Tests of this part of the picture analysis window (none yet).
