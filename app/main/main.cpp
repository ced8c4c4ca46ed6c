#include "app/Studio.h"

int main(int argc, char** argv) { return app::runStudio(argc, argv); }
