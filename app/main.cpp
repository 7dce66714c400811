#include "app/Project.h"
#include "platform/Startup.h"

int main(int argc, char *argv[])
{
    return vb::runProgram(argc, argv, quoriam::initialise);
}
