#pragma once

// The three calculator windows, in the order the shell visits them.
enum class View { Stand, Extend, Infos };

constexpr View kViews[] = {View::Stand, View::Extend, View::Infos};
