// analyze, gloss, paradigm: the Sakha morphology model on a dictionary's words.
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>

#include "core/dict/DictStore.h"
#include "core/morph/SakhaMorphology.h"
#include "core/search/Gloss.h"
#include "core/text/mdlCommon.h"
#include "tools/DictLoading.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

using morph::Analysis;
using morph::SakhaMorphology;

Command Analyze() {
  return DictFileCommand("analyze", "FILE WORD|-",
                         "every analysis of WORD: k, Word, part of speech, morphemes, description, then --", 2,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const SakhaMorphology model(store);
                           return ForEachItem(args[1], io, [&](const std::u16string& item) {
                             const std::vector<Analysis> found = model.Analyze(item);
                             for (const Analysis& a : found) {
                               io.out << a.Position << '\t';
                               WriteText(io.out, a.Word);
                               io.out << '\t';
                               WriteText(io.out, std::u16string(morph::WordClassName(a.Class)));
                               io.out << '\t';
                               WriteText(io.out, a.Segmentation());
                               io.out << '\t';
                               WriteText(io.out, a.Description);
                               io.out << '\n';
                             }
                             io.out << "--\n";
                             return found.empty() ? int{kProblems} : int{kOk};
                           });
                         });
}

Command Paradigm() {
  return DictFileCommand("paradigm", "FILE WORD", "the model's forms of a Sakha noun or verb: features, form", 2,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const SakhaMorphology model(store);
                           const auto rows = model.Paradigm(FromUtf8(args[1]));
                           for (const auto& r : rows) {
                             WriteText(io.out, r.Features);
                             io.out << '\t';
                             WriteText(io.out, r.Form);
                             io.out << '\n';
                           }
                           return rows.empty() ? int{kProblems} : int{kOk};
                         });
}

Command Gloss() {
  return DictFileCommand("gloss", "FILE TEXTFILE|-",
                         "each word of a UTF-8 text: word, lemma Word, description, first translation", 2,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           std::string bytes;
                           if (args[1] == "-") {
                             bytes.assign(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>());
                           } else {
                             std::ifstream in(args[1], std::ios::binary);
                             if (!in) {
                               io.err << "sahdict-tool: cannot read " << args[1] << "\n";
                               return int{kUsage};
                             }
                             bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
                           }
                           const std::u16string text = FromUtf8(bytes);
                           Glosser glosser(store);
                           size_t from = 0;
                           for (const TextWord& w : SplitWords(text, from)) {
                             const std::u16string word = text.substr(w.Offset, w.Length);
                             const GlossLine& g = glosser.Of(word);
                             WriteText(io.out, word);
                             io.out << '\t';
                             WriteText(io.out, g.Lemma);
                             io.out << '\t';
                             WriteText(io.out, g.Description);
                             io.out << '\t';
                             WriteText(io.out, g.Translation);
                             io.out << '\n';
                           }
                           return int{kOk};
                         });
}

}  // namespace

std::vector<Command> MorphCommands() { return {Analyze(), Gloss(), Paradigm()}; }

}  // namespace sahdict::tool
