#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What the rows of the configuration block write: their bytes, and, when an
// engineer asks for them, the fields those bytes make up. The rows append
// every field to one writer; the block is the writer's bytes, so the block
// and its fields cannot disagree.
namespace plugin {

// One field of the block as an engineer reads it.
struct StreamField {
  std::string row;   // the block's part: "header", "counts", "device", "inputs", "AI", ...
  std::string kind;  // what it encodes: "parameter", "count", "length", "tag", "sum", ...
  std::string name;  // a parameter's path, the name of a count, a sum or an input
  std::string stored;
  std::string hex;  // its bytes; empty when its encoding failed
  size_t offset = 0;
  int32_t width = 0;  // the bytes its type promises
  std::string readBack;
  uint32_t flags = 0;  // kStreamField... (faces/Engineering.h)
  std::string note;
};

class StreamWriter {
 public:
  // A writer that keeps fields asks every row to describe what it writes;
  // one that does not only joins the bytes.
  explicit StreamWriter(bool keepsFields) : keepsFields_(keepsFields) {}

  bool KeepsFields() const { return keepsFields_; }

  // Appends a field's bytes; when fields are kept, describe(field) fills in
  // what the field is, its hex and offset already set.
  template <class Describe>
  void Add(std::string hex, Describe&& describe) {
    if (keepsFields_) {
      StreamField field;
      field.offset = bytes_.size() / 2;
      field.hex = hex;
      describe(field);
      fields_.push_back(std::move(field));
    }
    bytes_ += hex;
  }

  // Puts a writer's bytes and fields in front of this one's.
  void Prepend(StreamWriter&& front) {
    const size_t shift = front.bytes_.size() / 2;
    for (StreamField& field : fields_) field.offset += shift;
    front.fields_.insert(front.fields_.end(), std::make_move_iterator(fields_.begin()),
                         std::make_move_iterator(fields_.end()));
    fields_ = std::move(front.fields_);
    bytes_ = std::move(front.bytes_) + bytes_;
  }

  const std::string& Bytes() const { return bytes_; }
  std::vector<StreamField>& Fields() { return fields_; }

 private:
  bool keepsFields_;
  std::string bytes_;
  std::vector<StreamField> fields_;
};

}  // namespace plugin
