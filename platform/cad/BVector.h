#pragma once
// The platform's vector, under the name host code uses for it.

#include <vector>

template <class T>
using bvector = std::vector<T>;
