#pragma once

#include <array>

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

// The children of a Person, each holding one value as its text.
inline constexpr const char* kOptionalIdChild = "OptionalID";
inline constexpr const char* kNameChild = "Name";
inline constexpr const char* kMiddleNameChild = "MiddleName";
inline constexpr const char* kSurnameChild = "Surname";
inline constexpr const char* kSexChild = "Sex";
inline constexpr const char* kDateOfBirthChild = "DateOfBirth";
inline constexpr const char* kStreetAddressChild = "StreetAddress";
inline constexpr const char* kCityChild = "City";
inline constexpr const char* kStateChild = "State";
inline constexpr const char* kZipCodeChild = "ZipCode";
inline constexpr const char* kCountryChild = "Country";
inline constexpr const char* kPhone1Child = "Phone1";
inline constexpr const char* kPhone2Child = "Phone2";
inline constexpr const char* kFaxChild = "Fax";
inline constexpr const char* kMobileChild = "Mobile";
inline constexpr const char* kEMailChild = "EMail";
inline constexpr const char* kCommentChild = "Comment";
inline constexpr const char* kStatusChild = "Status";
inline constexpr const char* kDateCreatedChild = "DateCreated";
inline constexpr const char* kDateModifiedChild = "DateModified";

// The twenty children in the order a new Person is written with them.
inline constexpr std::array<const char*, 20> kPersonChildren = {
    kOptionalIdChild,  kNameChild,          kMiddleNameChild, kSurnameChild,     kSexChild,
    kDateOfBirthChild, kStreetAddressChild, kCityChild,       kStateChild,       kZipCodeChild,
    kCountryChild,     kPhone1Child,        kPhone2Child,     kFaxChild,         kMobileChild,
    kEMailChild,       kCommentChild,       kStatusChild,     kDateCreatedChild, kDateModifiedChild,
};

// Texts of Status: only Active persons are listed; Deleted is what deleting writes.
inline constexpr const char* kActiveStatus = "Active";
inline constexpr const char* kDeletedStatus = "Deleted";

// Texts of Sex as written. Readers take exactly "F" as female and anything else as male.
inline constexpr const char* kMaleSex = "M";
inline constexpr const char* kFemaleSex = "F";

}  // namespace orvanel
