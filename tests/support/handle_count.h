// Counting this process's GDI objects, menus and icons. GetGuiResources answers 0 under Wine;
// Wine accepts a handle's 16-bit index without its generation, so scanning every index finds
// each live object of this process.
#pragma once

namespace test {

int CountGdiObjects();
int CountMenus();
int CountIcons();

}  // namespace test
