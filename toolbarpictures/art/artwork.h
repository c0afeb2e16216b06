#pragma once

#include "canvas.h"

#include <QList>
#include <functional>

using Drawing = std::function<void(Canvas &)>;

// The pictures of each hundred, in the order of their numbers.
QList<Drawing> editingPictures();  // 8000
QList<Drawing> tablePictures();    // 8100
QList<Drawing> documentPictures(); // 8200
QList<Drawing> mailPictures();     // 8300
QList<Drawing> moneyPictures();    // 8400
QList<Drawing> bookPictures();     // 8500
QList<Drawing> drawingPictures();  // 8600
QList<Drawing> arrowPictures();    // 8700
QList<Drawing> mediaPictures();    // 8800
QList<Drawing> forestPictures();   // 8900
QList<Drawing> helpPictures();     // 9000
QList<Drawing> textPictures();     // 9100
QList<Drawing> windowPictures();   // 9200
QList<Drawing> toolPictures();     // 9300
QList<Drawing> statusPictures();   // 9400
QList<Drawing> letterPictures();   // 9500
QList<Drawing> accentPictures();   // 9530
