#pragma once

#include <QVector>

#include <algorithm>

template<typename T>
double median(QVector<T> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? double(values.at(middle))
                             : (double(values.at(middle - 1)) + double(values.at(middle))) / 2.0;
}
