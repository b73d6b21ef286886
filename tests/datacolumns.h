#pragma once

#include <QTest>

// A data table's columns, one name for each type in turn:
// addColumns<QString, int>("name", "size").
template <typename... Types, typename... Names> void addColumns(Names... names) {
    static_assert(sizeof...(Types) == sizeof...(Names), "one name for each type");
    (QTest::addColumn<Types>(names), ...);
}
