# Image settings (module 3): the image parameter worker (none yet).
