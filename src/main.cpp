#include "app/app.h"

int main(int argc, char** argv) { return cw::RunProgram(argc, argv); }
