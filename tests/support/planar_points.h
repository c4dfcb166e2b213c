// A data file of n random points in the unit square as a dissimilarity list
// with named rows: a problem whose exact solution is known to be planar.
#pragma once

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace quorel {

inline void WritePlanarPointsFile(const std::string& path, int n, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<std::pair<double, double>> p(n);
  for (auto& [x, y] : p) x = unit(gen), y = unit(gen);
  std::ofstream f(path, std::ios::binary);
  f << "NOBJECTS=" << n << "\r\nDISSIMILARITYLIST\r\n";
  char value[32];
  for (int i = 0; i < n; ++i) {
    f << "P" << i + 1;
    for (int j = 0; j < i; ++j) {
      std::snprintf(value, sizeof value, ", %.6f",
                    std::hypot(p[i].first - p[j].first, p[i].second - p[j].second));
      f << value;
    }
    f << "\r\n";
  }
}

}  // namespace quorel
