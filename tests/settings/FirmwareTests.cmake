# The combined firmware package and the update worker over the simulated
# camera; the packages are written at test time by Python's zip writer.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
calidra_gui_tests(calidra_firmware_tests
  ${CMAKE_CURRENT_LIST_DIR}/FirmwarePackageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UpdateExecTest.cpp)
target_compile_definitions(calidra_firmware_tests PRIVATE
  CALIDRA_PYTHON3="${Python3_EXECUTABLE}"
  CALIDRA_MAKE_PACKAGE="${CMAKE_CURRENT_LIST_DIR}/make_package.py")
