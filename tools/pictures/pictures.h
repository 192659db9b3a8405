#pragma once

#include <QImage>

// Every picture the game ships beside its program or in its resources.

// Board backgrounds: small ones are tiled over the 704 x 468 board picture. Each is drawn
// `scale` times the size (1 or 2) for screens of that density; the sizes are at scale 1.
QImage paintKanji(int scale);      // 352 x 234, calligraphy on pale paper
QImage paintDragons(int scale);    // 352 x 312, dragon roundels on jade
QImage paintAndromeda(int scale);  // 704 x 468, star field with a spiral galaxy
QImage paintCatpats(int scale);    // 176 x 176, trails of paw prints

// Pictures of the window and its dialogs.
QImage paintHallOfFamePanel();  // 92 x 468, behind the ten best times
QImage paintOrange();           // 480 x 360, stretched behind the help dialog's pages
QImage paintWelcome();          // 329 x 321, behind the welcome panel's buttons
QImage paintToolbar();          // 100 x 32, tiled behind the toolbar's buttons
QImage paintSplash();           // 400 x 250, shown while the program starts
