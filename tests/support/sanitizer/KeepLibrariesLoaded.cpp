// Linked into the test programs of sanitizer builds only. Libraries that the
// game's libraries open at run time (the OpenGL driver under SDL) are otherwise
// closed again before the leak check runs; the memory they still held then
// looks leaked and cannot even be named. Keeping them loaded lets the leak
// check see what is really ours.
extern "C" int dlclose(void*) { return 0; }
