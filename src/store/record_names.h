#pragma once


// The names the data file uses for its records, their attributes and children, and the few
// values the program itself writes into them. They are the file's, not the program's: changing
// one makes every existing register unreadable.

namespace orvanel {

// Attributes of the root element. Its own name is never read or written.
inline constexpr const char* kPrefixAttribute = "Prefix";
inline constexpr const char* kDateModifiedAttribute = "DateModified";
inline constexpr const char* kPersonCountAttribute = "PersonCount";
inline constexpr const char* kRelCountAttribute = "RelCount";

// The records: children of the root, known by their local name. Every other child is skipped
// and written back as it was.
inline constexpr const char* kPersonElement = "Person";
inline constexpr const char* kRelElement = "Rel";

// The identifier of a Person.
inline constexpr const char* kIdAttribute = "ID";
// A Rel: the ID1 person is Dir of the ID2 person, and the ID2 person is Inv of the ID1 person.
inline constexpr const char* kId1Attribute = "ID1";
inline constexpr const char* kId2Attribute = "ID2";
inline constexpr const char* kDirAttribute = "Dir";
inline constexpr const char* kInvAttribute = "Inv";

// The children of a Person, each holding one value as its text, are the fields of
// store/person_fields.h.

// Texts of Status: only Active persons are listed; Deleted is what deleting writes.
inline constexpr const char* kActiveStatus = "Active";
inline constexpr const char* kDeletedStatus = "Deleted";

// Texts of Sex as written. Readers take exactly "F" as female and anything else as male.
inline constexpr const char* kMaleSex = "M";
inline constexpr const char* kFemaleSex = "F";

}  // namespace orvanel
