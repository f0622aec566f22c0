# Image settings (module 3): its pages, panel and module (none yet).
