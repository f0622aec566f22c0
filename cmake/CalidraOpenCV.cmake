# OpenCV for the program (core, imgproc, imgcodecs) as one target,
# calidra_opencv. Debian's split OpenCV -dev packages ship no CMake package
# file, so the headers and libraries are looked up directly when
# find_package finds nothing.
find_package(OpenCV QUIET COMPONENTS core imgproc imgcodecs)
add_library(calidra_opencv INTERFACE)
if(OpenCV_FOUND)
  target_include_directories(calidra_opencv SYSTEM INTERFACE ${OpenCV_INCLUDE_DIRS})
  target_link_libraries(calidra_opencv INTERFACE ${OpenCV_LIBS})
else()
  find_path(CALIDRA_OPENCV_INCLUDE_DIR opencv2/imgproc.hpp PATH_SUFFIXES opencv4 REQUIRED)
  find_library(CALIDRA_OPENCV_CORE_LIB opencv_core REQUIRED)
  find_library(CALIDRA_OPENCV_IMGPROC_LIB opencv_imgproc REQUIRED)
  find_library(CALIDRA_OPENCV_IMGCODECS_LIB opencv_imgcodecs REQUIRED)
  target_include_directories(calidra_opencv SYSTEM INTERFACE ${CALIDRA_OPENCV_INCLUDE_DIR})
  target_link_libraries(calidra_opencv INTERFACE ${CALIDRA_OPENCV_IMGCODECS_LIB} ${CALIDRA_OPENCV_IMGPROC_LIB}
                                                 ${CALIDRA_OPENCV_CORE_LIB})
endif()
