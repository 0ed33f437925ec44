// Runs every generator job on a small pool of threads and writes or checks the manifest.
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "art.h"

namespace art {

int generateAll(const Config& cfg, const std::string& manifestOut, const std::string& manifestCheck) {
  auto t0 = std::chrono::steady_clock::now();
  Icons::load(cfg.iconsJson);
  std::vector<Job> jobs;
  mapJobs(cfg, jobs);  // the long ones first
  pictureJobs(cfg, jobs);
  animJobs(cfg, jobs);
  soundJobs(cfg, jobs);
  battleJobs(jobs);
  Output out(cfg.gameDir);
  std::atomic<size_t> next{0};
  std::atomic<int> failures{0};
  auto worker = [&] {
    for (size_t i; (i = next++) < jobs.size();) {
      try {
        auto j0 = std::chrono::steady_clock::now();
        jobs[i](out);
        double js = std::chrono::duration<double>(std::chrono::steady_clock::now() - j0).count();
        if (std::getenv("FIEFDOM_ART_TIMES")) std::fprintf(stderr, "job %zu: %.2f s\n", i, js);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "fiefdom-art: %s\n", e.what());
        ++failures;
      }
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < std::max(1, cfg.threads); ++t) pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  if (!failures) {
    try {
      compositeJob(cfg, out, cfg.composite);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "fiefdom-art: %s\n", e.what());
      ++failures;
    }
  }
  if (failures) return 1;

  nlohmann::ordered_json m;
  m["_comment"] = "Every file the asset generator writes into the program folder, grouped by kind. "
                  "Written by fiefdom-art --write-manifest; the build checks it.";
  size_t count = 0;
  for (auto& [kind, files] : out.manifest()) {
    m[kind] = files;
    count += files.size();
  }
  std::string text = m.dump(1) + "\n";
  if (!manifestOut.empty()) std::ofstream(manifestOut) << text;
  if (!manifestCheck.empty()) {
    std::ifstream f(manifestCheck);
    std::string want((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (want != text) {
      std::fprintf(stderr,
                   "fiefdom-art: the generated files differ from %s; run fiefdom-art with --write-manifest "
                   "and commit it\n",
                   manifestCheck.c_str());
      return 1;
    }
  }
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("fiefdom-art: %zu files in %.1f s\n", count, secs);
  return 0;
}

}  // namespace art
