#pragma once

#include <string>
#include <string_view>

// What a background entry shows besides its line: the icon its tags ask for
// and, for a node, the name written beside it.

namespace rovex::trackeditor {

// The icon code of a description by the first keyword it contains (parking 1,
// pub 18, golf course 1000, station 1200, castle 1501 ...); 0 for none.
int IconCode(std::string_view description);

// The picture that shows a code: codes that share a picture give the same
// number (golf; pavilion and swimming; castle, folly and archaeological site).
// 0 for a code drawn as nothing (sports centre) or unknown.
int IconPicture(int code);

// The name drawn beside a node: the text after a "Node..." description's
// second ':' without its key prefixes, source notes and the two commonest
// entities; empty when there is nothing to show.
std::string NodeName(std::string_view description);

}  // namespace rovex::trackeditor
