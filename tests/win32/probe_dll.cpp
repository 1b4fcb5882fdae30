// A DLL that lies beside the test program, as a DLL on the disc would lie
// beside the menu: the program must not load it by name.

extern "C" __declspec(dllexport) int ProbeValue() { return 42; }
