#pragma once
// The recent-files list lis_rec: at most ten full paths, most recent first, no
// two equal when letter case is ignored. Kept between runs in "recente.txt"
// in the per-user data folder, one path per line, UTF-8.

#include <functional>
#include <string>
#include <vector>

namespace tarvinel {

class tRECENTES {
 public:
  static constexpr int kMAX = 10;

  // lis_rec_add: removes an entry equal to filename ignoring case, puts
  // filename at the top, keeps the first ten.
  void add(const std::string& filename);
  const std::vector<std::string>& lista() const { return lis_; }
  void clear();

  // Replaces the list with the file's lines (blank lines skipped, the rules of
  // add applied). Any failure leaves the list empty, without a message.
  void ler(const std::string& path);
  // Writes the list; any failure is ignored (the list is only a convenience).
  void gravar(const std::string& path) const;

  // The file in the per-user data folder.
  static std::string caminho_padrao();

  // Called after every change (the welcome screen shows the list).
  std::function<void()> onchange;

 private:
  std::vector<std::string> lis_;
};

}  // namespace tarvinel
