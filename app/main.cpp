// The program's entry: the project run by the forms runtime until the program ends.
#include "app/Project.h"
#include "platform/Startup.h"

int main(int argc, char *argv[])
{
    return vb::runProgram(argc, argv, quoriam::initialise);
}
