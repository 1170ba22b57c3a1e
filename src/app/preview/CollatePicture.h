#pragma once
#include <QPixmap>

// Two sets of numbered sheets: 1 2 3, 1 2 3 when collated, 1 1, 2 2, 3 3 when not.
QPixmap collatePicture(bool collated);
