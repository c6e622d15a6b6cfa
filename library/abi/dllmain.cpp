// dllmain.cpp -- the DLL's entry point: the library has no set-up or clean-up of its own.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
