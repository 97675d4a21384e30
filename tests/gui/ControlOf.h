#pragma once
// A window's control found by its name, as a teacher's window would be driven from outside: the
// windows keep their controls to themselves.
#include "gui/widgets/NamedControls.h"


#include <gtest/gtest.h>

namespace tq::test {

template <typename T>
T* controlOf(const QObject* window, const char* name)
{
    T* found = ui::findNamed<T>(window, name);
    EXPECT_TRUE(found) << "no control " << name;
    return found;
}

} // namespace tq::test
