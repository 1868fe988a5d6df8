#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "com/Variant.h"

namespace qcom {

// The engineering interface of the TQ4600 application object: what an
// engineer's tool asks of the object besides the host interfaces. It answers
// from the object itself, so a tool never reads a template, the definition
// or the catalogue to learn a rule, and cannot disagree with the object:
//   - the configuration stream taken apart field by field, from the same walk
//     that builds Stream;
//   - the parameters of the object and of every placed channel, with their
//     types, limits, defaults and current values;
//   - a value check with the edit dialogs' rules and words, and setting a
//     parameter by its path;
//   - the module templates, and which of them the configuration tree allows
//     after the placed modules or after any chain of them.
// It is reached by QueryInterface on the application object and, like every
// dual interface of the system, answers late-bound calls by name.
//
// Conventions of every answer:
//   - Paths name parameters as an engineer writes them: a device parameter by
//     its name ("Priority"), a channel parameter as module key, channel kind,
//     the channel's position among the module's channels of that kind and
//     the parameter's name ("EB1/AI/2/sensortype"). "\" may stand for "/",
//     names and kinds compare without regard to letter case, "EB01" is "EB1".
//   - Numbers are written in one form in every locale: "." as the decimal
//     point, at most 15 significant digits (7 for what the controller reads
//     back), no trailing zeros, the exponent form ("1E-05", "1E+20") for
//     very small or large magnitudes, and never "+" or blanks. A value text
//     given to the interface may use either "." or "," and blanks around it.
//     The object itself keeps and saves its values with the user's decimal
//     separator, as it always has; it reads either one back.
//   - Every object an answer hands out is a snapshot made for the caller,
//     who holds its only reference: it does not change when the object
//     changes, and keeps no reference to the object.
//   - Lists (IEngineeringList) are 1-based; Item takes a position or a key
//     (letter case aside) and gives an empty variant for neither.

struct IStreamExplanation;
struct IEngineeringList;
struct IEngineeringParameter;
struct IEngineeringPoint;
struct IValueCheck;

// What a field of the stream is flagged for (IStreamField::Flags). Any flag
// makes the stream malformed: the controller would receive what the engineer
// did not set.
constexpr LONG kStreamFieldFailed = 0x001;   // the encoding failed: no bytes, later fields move up
constexpr LONG kStreamFieldClamped = 0x002;  // clamped to the top of its field
constexpr LONG kStreamFieldRounded = 0x004;  // rounded to what its field holds (2.5 sent as 02)
constexpr LONG kStreamFieldNotANumber =
    0x008;                                  // the stored value is no number; sent as its bytes say
constexpr LONG kStreamFieldNotHex = 0x010;  // a tag or reference that is not hex digits in pairs
constexpr LONG kStreamFieldNoType = 0x020;  // the catalogue lacks the parameter's SNVT type
constexpr LONG kStreamFieldDuplicateType = 0x040;  // the catalogue defines the type more than once
constexpr LONG kStreamFieldNoNumberBack = 0x080;   // the bytes read back as no (finite) number
constexpr LONG kStreamFieldChanged = 0x100;        // reads back otherwise changed
constexpr LONG kStreamFieldTermLeftOut = 0x200;    // a term of a sum is no number and was left out
constexpr LONG kStreamFieldWrongWidth = 0x400;     // its bytes are not as many as its field has

// The unit systems a value is given in (CheckValue, SetValue): the numbers of
// the unit service's UnitSystem.
constexpr LONG kUnitsSI = 0;
constexpr LONG kUnitsUS = 1;

#define TQ_IENGINEERING(GET, PUT, CALL, FUNC)                                                    \
  /* The stream taken apart. Building it is reading Stream: the object keeps */                  \
  /* it as its last stream and may show the export message, as Stream does. */                   \
  FUNC(ExplainStream, IStreamExplanation** explanation)                                          \
  /* The device parameters in collection order, then the channel parameters of */                \
  /* every placed module in set order (kinds AI, AO, DI, DO, channels in order), */              \
  /* each an IEngineeringParameter keyed by its path. */                                         \
  GET(Parameters, IEngineeringList** parameters)                                                 \
  /* The parameter a path names; null when it names none (see PathProblem). */                   \
  GET(Parameter, BSTR path, IEngineeringParameter** parameter)                                   \
  /* Why a path names no parameter, with the names there are; empty when it names one. */        \
  GET(PathProblem, BSTR path, BSTR* problem)                                                     \
  /* Checks a value for a parameter as its edit dialog would (unitSystem: kUnitsSI or */         \
  /* kUnitsUS, converted by the unit service "UnitManager.Converter"). Fails, with the */        \
  /* error record saying why, only when the unit service cannot be used. */                      \
  FUNC(CheckValue, BSTR path, BSTR text, LONG unitSystem, IValueCheck** check)                   \
  /* Checks as CheckValue, then stores the canonical text when the value passes, or */           \
  /* whatever the check refused when force is true. */                                           \
  FUNC(SetValue, BSTR path, BSTR text, LONG unitSystem, VARIANT_BOOL force, IValueCheck** check) \
  /* The templates the configuration tree allows after the placed modules, each an */            \
  /* IModuleTemplate with the slot it goes into and the tag it brings. */                        \
  GET(AddableTemplates, IEngineeringList** templates)                                            \
  /* The same after a chain of template IDs ("EB4AI2AO,EB8DI", module k in slot k, */            \
  /* letter case aside), without placing it; empty when the chain is complete or */              \
  /* leaves the tree. An empty chain gives the templates of the first module. */                 \
  GET(NextTemplates, BSTR chain, IEngineeringList** templates)                                   \
  /* The catalogue of module templates, each an IModuleTemplate keyed by its ID. */              \
  GET(ModuleTemplates, IEngineeringList** templates)                                             \
  /* The SNVT types the object definition and the module templates use, in the */                \
  /* order they use them, each an ISnvtUse keyed by its SNVT number. Known after */              \
  /* Init, before Create loads a parameter. */                                                   \
  GET(SnvtTypes, IEngineeringList** types)                                                       \
  /* Places a module of the template (its ID, letter case aside) after the placed */             \
  /* ones through the module set, as the editor's Add command does. Where the tree */            \
  /* does not allow it, the module set shows its warning and places nothing. key: */             \
  /* the new module's key ("EB3"); empty when nothing was placed. */                             \
  FUNC(AddModule, BSTR templateId, BSTR* key)                                                    \
  /* Removes the last placed module, as the editor's Remove command does: refused */             \
  /* while a channel of it is connected. refusal: why nothing was removed ("EB 4AO */            \
  /* cannot be removed because it is connected"); empty when it was removed. */                  \
  FUNC(RemoveModule, BSTR* refusal)                                                              \
  /* Every input, then every output, in collection order, each an */                             \
  /* IEngineeringPoint keyed by its GlobalKey. */                                                \
  GET(Points, IEngineeringList** points)
struct IEngineering : IDispatch {
  QCOM_IDENTITY(IDispatch, "B4CFA489-A01D-48C1-8337-C4D043499973");
  QCOM_MEMBERS(TQ_IENGINEERING)

 protected:
  ~IEngineering() = default;
};

// An ordered list of answers: objects (VT_DISPATCH) or texts (VT_BSTR).
#define TQ_IENGINEERINGLIST(GET, PUT, CALL, FUNC)                          \
  GET(Count, LONG* count)                                                  \
  /* By key first, then as a 1-based position; empty when neither. */      \
  GET(Item, VARIANT key, VARIANT* item)                                    \
  /* The key of the item at a 1-based position; empty outside the list. */ \
  GET(Key, LONG position, BSTR* key)                                       \
  GET(_NewEnum, IUnknown** enumerator)
struct IEngineeringList : IDispatch {
  QCOM_IDENTITY(IDispatch, "FE1FF54A-5C37-4E6B-AACD-558628676482");
  QCOM_MEMBERS(TQ_IENGINEERINGLIST)

 protected:
  ~IEngineeringList() = default;
};

// The configuration stream with its fields.
#define TQ_ISTREAMEXPLANATION(GET, PUT, CALL, FUNC)                                 \
  /* As Stream returns it; empty when the object builds none. */                    \
  GET(Stream, BSTR* stream)                                                         \
  /* Every field in stream order, each an IStreamField; their bytes make Stream. */ \
  GET(Fields, IEngineeringList** fields)                                            \
  GET(Bytes, LONG* bytes)                                                           \
  /* The bytes the fields' types promise, failed fields included. */                \
  GET(PromisedBytes, LONG* bytes)                                                   \
  /* Why the stream is not what the engineer set, one "field: note" per flagged */  \
  /* field, "; " between them; empty when nothing is flagged. */                    \
  GET(Malformed, BSTR* why)
struct IStreamExplanation : IDispatch {
  QCOM_IDENTITY(IDispatch, "0B2B86FC-A7FD-4790-A427-028F4CB339F0");
  QCOM_MEMBERS(TQ_ISTREAMEXPLANATION)

 protected:
  ~IStreamExplanation() = default;
};

// One field of the stream.
#define TQ_ISTREAMFIELD(GET, PUT, CALL, FUNC)                                         \
  /* Of its first byte in the block. */                                               \
  GET(Offset, LONG* offset)                                                           \
  /* Its bytes as hex text; empty when its encoding failed. */                        \
  GET(Hex, BSTR* hex)                                                                 \
  /* The bytes its type promises. */                                                  \
  GET(Width, LONG* bytes)                                                             \
  /* The block's part: "header", "counts", "device", "inputs", "AI", "DI bitmaps", */ \
  /* "counters", "AO modes", "DO bitmaps". */                                         \
  GET(Row, BSTR* row)                                                                 \
  /* What it encodes: "parameter", "count", "length", "tag", "sum", "input", */       \
  /* "reserved". */                                                                   \
  GET(Kind, BSTR* kind)                                                               \
  /* The parameter's path, the count's, sum's or input's name. A field of several */  \
  /* parameters of one channel names them "EB1/AI/2/range,suppression,...". */        \
  GET(Name, BSTR* name)                                                               \
  /* The value as stored, with its unit ("2 sec", "1 (NI1000)", "0 0 0 0 1"). */      \
  GET(Stored, BSTR* stored)                                                           \
  /* What the controller reads from the bytes, decoded from them alone, with the */   \
  /* unit ("2 sec", "1 (NI1000)", "070203", "\"text\""); "-" for no bytes. */         \
  GET(ReadBack, BSTR* value)                                                          \
  /* kStreamField... flags; 0 when the field reads back as stored. */                 \
  GET(Flags, LONG* flags)                                                             \
  /* The flags in words, ", " between them ("encoding failed", "clamped"); empty */   \
  /* for none. */                                                                     \
  GET(Note, BSTR* note)
struct IStreamField : IDispatch {
  QCOM_IDENTITY(IDispatch, "E81B7B8D-38B0-4745-8DB1-B7A171A03062");
  QCOM_MEMBERS(TQ_ISTREAMFIELD)

 protected:
  ~IStreamField() = default;
};

// One parameter: of the placed object (with its value), or the definition of a
// channel parameter of a module template (its value is its default).
#define TQ_IENGINEERINGPARAMETER(GET, PUT, CALL, FUNC)                                    \
  /* "Priority", "EB1/AI/2/sensortype"; a template's "AI/sensortype". */                  \
  GET(Path, BSTR* path)                                                                   \
  GET(Name, BSTR* name)                                                                   \
  /* "" for a device parameter, else "AI", "AO", "DI" or "DO". */                         \
  GET(ChannelKind, BSTR* kind)                                                            \
  GET(SnvtId, BSTR* id)                                                                   \
  /* The type's name in the catalogue ("SNVT_time_sec"); empty when it lacks the type. */ \
  GET(SnvtName, BSTR* name)                                                               \
  /* The type's kind ("Float", "Enum", "Textual", ...); empty when the catalogue */       \
  /* lacks the type. */                                                                   \
  GET(Kind, BSTR* kind)                                                                   \
  GET(Unit, BSTR* unit)                                                                   \
  /* The bytes of its field in the stream's encoding of the type. */                      \
  GET(Length, LONG* bytes)                                                                \
  /* The limits of its type in the catalogue (what the edit dialogs hold a number */      \
  /* to); empty for no limit and for kinds other than numbers. */                         \
  GET(TypeMin, BSTR* min)                                                                 \
  GET(TypeMax, BSTR* max)                                                                 \
  /* The limits its definition element gives of its own (Min, Max); empty for none. */    \
  GET(Min, BSTR* min)                                                                     \
  GET(Max, BSTR* max)                                                                     \
  GET(Default, BSTR* value)                                                               \
  GET(Description, BSTR* text)                                                            \
  GET(Visible, VARIANT_BOOL* visible)                                                     \
  /* An enumeration's members in catalogue order: keys the codes, items the names. */     \
  GET(Members, IEngineeringList** members)                                                \
  GET(Value, BSTR* value)                                                                 \
  /* Whether the value is not the default (numbers compared as numbers). */               \
  GET(Changed, VARIANT_BOOL* changed)                                                     \
  /* CheckValue's refusal of the current value in SI units; empty when it passes. */      \
  GET(Refusal, BSTR* refusal)                                                             \
  /* How many entries of the catalogue define the type: 0 for none, 2 or more when */     \
  /* the first one wins over the others. */                                               \
  GET(TypeEntries, LONG* entries)
struct IEngineeringParameter : IDispatch {
  QCOM_IDENTITY(IDispatch, "AD10C159-0689-4D63-8060-AE2EEBA4F422");
  QCOM_MEMBERS(TQ_IENGINEERINGPARAMETER)

 protected:
  ~IEngineeringParameter() = default;
};

// The answer of CheckValue and SetValue.
#define TQ_IVALUECHECK(GET, PUT, CALL, FUNC)                                             \
  /* The parameter's path as the object spells it; the given path when it names none. */ \
  GET(Path, BSTR* path)                                                                  \
  /* The text as given. */                                                               \
  GET(Text, BSTR* text)                                                                  \
  /* The text the object stores for it: a number in the canonical form in the */         \
  /* catalogue's unit, an enumeration member's code for its name, a text as given. */    \
  GET(Stored, BSTR* stored)                                                              \
  /* Why the edit dialog would not store it, in the dialog's words, or why the path */   \
  /* names no parameter; empty when it passes. */                                        \
  GET(Refusal, BSTR* refusal)                                                            \
  /* Whether SetValue stored it (always false for CheckValue). */                        \
  GET(Written, VARIANT_BOOL* written)
struct IValueCheck : IDispatch {
  QCOM_IDENTITY(IDispatch, "C434E5E9-A89E-449A-B2A8-7F5A66950800");
  QCOM_MEMBERS(TQ_IVALUECHECK)

 protected:
  ~IValueCheck() = default;
};

// A module template of the catalogue.
#define TQ_IMODULETEMPLATE(GET, PUT, CALL, FUNC)                                         \
  /* The template's folder name, which names the module element in saved objects. */     \
  GET(Id, BSTR* id)                                                                      \
  GET(Name, BSTR* name)                                                                  \
  GET(Description, BSTR* text)                                                           \
  GET(AICount, LONG* count)                                                              \
  GET(AOCount, LONG* count)                                                              \
  GET(DICount, LONG* count)                                                              \
  GET(DOCount, LONG* count)                                                              \
  /* The DIs that count pulses (their definition gives a Counter output). */             \
  GET(CounterCount, LONG* count)                                                         \
  /* In the lists of allowed templates: the slot it goes into and the map/type/module */ \
  /* tag it brings; in the catalogue's list those of its last marking (0 and empty */    \
  /* when never marked). */                                                              \
  GET(TargetSlot, LONG* slot)                                                            \
  GET(Tag, BSTR* tag)                                                                    \
  /* Its channel parameters, kinds AI, AO, DI, DO in order, each an */                   \
  /* IEngineeringParameter keyed by "KIND/name". */                                      \
  GET(Parameters, IEngineeringList** parameters)
struct IModuleTemplate : IDispatch {
  QCOM_IDENTITY(IDispatch, "CA9C4BA5-9867-4C83-8514-60AB9904CAB7");
  QCOM_MEMBERS(TQ_IMODULETEMPLATE)

 protected:
  ~IModuleTemplate() = default;
};

// An SNVT type the definition or a template uses.
#define TQ_ISNVTUSE(GET, PUT, CALL, FUNC)                                       \
  GET(Id, BSTR* id)                                                             \
  /* The catalogue's name and kind of it; empty when the catalogue lacks it. */ \
  GET(Name, BSTR* name)                                                         \
  GET(Kind, BSTR* kind)                                                         \
  /* The catalogue entries that define it (see IEngineeringParameter). */       \
  GET(Entries, LONG* entries)                                                   \
  /* Whether the object definition uses it; otherwise only templates do. */     \
  GET(InDefinition, VARIANT_BOOL* used)
struct ISnvtUse : IDispatch {
  QCOM_IDENTITY(IDispatch, "C62AA8FB-C57B-4C67-ABD8-B9D59138CD1C");
  QCOM_MEMBERS(TQ_ISNVTUSE)

 protected:
  ~ISnvtUse() = default;
};

// An input or output of the placed object, with its channel and types.
#define TQ_IENGINEERINGPOINT(GET, PUT, CALL, FUNC)                                        \
  /* "input" or "output". */                                                              \
  GET(Direction, BSTR* direction)                                                         \
  GET(Name, BSTR* name)                                                                   \
  GET(GlobalKey, BSTR* key)                                                               \
  /* The channel's path as parameter paths begin ("EB2/DI/1"); empty without one. */      \
  GET(Channel, BSTR* path)                                                                \
  /* The SNVT numbers it takes (an input's compatible list) or gives (an output's */      \
  /* one), "," between them; the catalogue's names and units of each, in that order */    \
  /* and with "," between them, empty for a type the catalogue lacks. */                  \
  GET(SnvtIds, BSTR* ids)                                                                 \
  GET(SnvtNames, BSTR* names)                                                             \
  GET(Units, BSTR* units)                                                                 \
  /* The bytes of its reference: 2 for outputs and binary inputs, 3 for extended ones. */ \
  GET(Width, LONG* bytes)
struct IEngineeringPoint : IDispatch {
  QCOM_IDENTITY(IDispatch, "4309097A-D488-4545-B397-D6E8FF50A5F7");
  QCOM_MEMBERS(TQ_IENGINEERINGPOINT)

 protected:
  ~IEngineeringPoint() = default;
};

}  // namespace qcom
