# Tests of the image parameter worker (none yet).
