#pragma once
// A grid's HighLight: whether its selection is drawn. The model of the window keeps it and the
// view draws by it.
enum class Zvyrazneni { Nikdy = 0, Vzdy = 1 };
