#pragma once

// The three calculator windows, in the order the shell visits them.
enum class View { Standard, Extended, Informatics };

constexpr View kViews[] = {View::Standard, View::Extended, View::Informatics};
