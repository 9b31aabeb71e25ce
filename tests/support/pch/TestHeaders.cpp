// Carries the test programs' shared precompiled headers (see tests/CMakeLists.txt).
