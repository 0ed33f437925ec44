// Contact sheet: every picture of graphics/high as a labelled thumbnail on one parchment page.
#include "art_sheet.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

int artSheetMain(const std::string& gameDir, const std::string& outPng) {
  std::vector<fs::path> files;
  for (const char* sub : {"graphics/high", "anim", "pointers"}) {
    fs::path dir = fs::path(gameDir) / sub;
    if (!fs::is_directory(dir)) continue;
    for (auto& e : fs::directory_iterator(dir)) {
      auto ext = e.path().extension();
      if (ext == ".png" || ext == ".rz") files.push_back(e.path());
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "art sheet: no pictures under %s\n", gameDir.c_str());
    return 1;
  }
  std::sort(files.begin(), files.end());
  const int cell = 150, thumb = 128, cols = 16;
  int rows = (static_cast<int>(files.size()) + cols - 1) / cols;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols * cell, rows * cell);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.90, 0.84, 0.69);
  cairo_paint(cr);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 10);
  for (size_t i = 0; i < files.size(); ++i) {
    double x = (i % cols) * cell, y = (i / cols) * cell;
    cairo_surface_t* s = cairo_image_surface_create_from_png(files[i].string().c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
      double w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
      if (files[i].extension() == ".rz") w = h;  // first frame of a strip
      double k = std::min(1.0, thumb / std::max(w, h));
      cairo_save(cr);
      cairo_rectangle(cr, x + (cell - w * k) / 2, y + 4, w * k, h * k);
      cairo_clip(cr);
      cairo_set_source_rgb(cr, 0.6, 0.6, 0.62);  // grey behind transparent parts
      cairo_paint(cr);
      cairo_translate(cr, x + (cell - w * k) / 2, y + 4);
      cairo_scale(cr, k, k);
      cairo_set_source_surface(cr, s, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
      cairo_paint(cr);
      cairo_restore(cr);
    }
    cairo_surface_destroy(s);
    std::string label = files[i].stem().string();
    cairo_text_extents_t e;
    cairo_text_extents(cr, label.c_str(), &e);
    cairo_move_to(cr, x + std::max(2.0, (cell - e.width) / 2), y + cell - 6);
    cairo_set_source_rgb(cr, 0.17, 0.11, 0.05);
    cairo_show_text(cr, label.c_str());
  }
  cairo_destroy(cr);
  cairo_status_t st = cairo_surface_write_to_png(sheet, outPng.c_str());
  cairo_surface_destroy(sheet);
  if (st != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "art sheet: cannot write %s\n", outPng.c_str());
    return 1;
  }
  std::printf("art sheet: %zu pictures -> %s\n", files.size(), outPng.c_str());
  return 0;
}
