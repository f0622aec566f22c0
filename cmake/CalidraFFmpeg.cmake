# FFmpeg's libraries (libavcodec, libavformat, libavutil) as one imported
# target, PkgConfig::CALIDRA_FFMPEG, visible everywhere: the recording
# libraries use it and their tests read the files back with it.
include_guard(GLOBAL)
find_package(PkgConfig REQUIRED)
pkg_check_modules(CALIDRA_FFMPEG REQUIRED IMPORTED_TARGET GLOBAL libavcodec libavformat libavutil)
