// Stickwell II: designing and printing sheet labels.
#include "shell/StartUp.h"

int main(int argc, char **argv)
{
    return sw::runStickwell(argc, argv);
}
