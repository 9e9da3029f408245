#include "app/quodexmain.h"

int main(int argc, char** argv) { return RunQuodex(argc, argv); }
