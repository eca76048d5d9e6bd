#pragma once

#include "library/IconItem.h"

#include <QVector>

// The orders of image lists.
namespace IconSort {

enum Key { None = 0, Name = 1, Extension = 2, Size = 3, Date = 4 };

// Upper-cased strings by UTF-16 code units, then as they are (so a name in
// capitals comes before the same name in small letters). <0, 0, >0.
int compareNames(const QString &a, const QString &b);

// Sorts by `key` (name, extension, size, newest first); ties go by name.
// `reverse` turns every order round, ties included. Other keys leave the
// order as it is.
void sort(QVector<IconItem> &items, int key, bool reverse);

} // namespace IconSort
