#include "app/dawnrule_app.h"

int main(int argc, char** argv)
{
    return dawnrule::RunDawnrule(argc, argv);
}
