#include "app/TForm1.h"

void TForm1::addExtraMenus()
{
}
