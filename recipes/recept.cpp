#include "recipes/recept.h"

std::vector<Recept> recepts;
