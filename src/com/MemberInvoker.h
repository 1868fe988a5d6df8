#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

#include "com/ComPtr.h"
#include "com/DispatchTable.h"

// Invokers made from member pointers: the parameter types of each listed member
// say how its arguments are read, written back and returned.
namespace qcom::invoke {

template <class T>
concept Interface = std::is_base_of_v<IUnknown, T>;

// The variant type that carries a value parameter of type T, and its field.
template <class T>
struct Carrier;
template <class T, VARTYPE Type, T VARIANT::*Field>
struct CarrierOf {
  static constexpr VARTYPE vt = Type;
  static T& Of(VARIANT& v) { return v.*Field; }
};
template <>
struct Carrier<SHORT> : CarrierOf<SHORT, VT_I2, &VARIANT::iVal> {};
template <>
struct Carrier<LONG> : CarrierOf<LONG, VT_I4, &VARIANT::lVal> {};
template <>
struct Carrier<ULONG> : CarrierOf<ULONG, VT_UI4, &VARIANT::ulVal> {};
template <>
struct Carrier<double> : CarrierOf<double, VT_R8, &VARIANT::dblVal> {};
template <>
struct Carrier<VARIANT_BOOL> : CarrierOf<VARIANT_BOOL, VT_BOOL, &VARIANT::boolVal> {};
template <>
struct Carrier<BSTR> : CarrierOf<BSTR, VT_BSTR, &VARIANT::bstrVal> {};
// Passed through as the caller gave it.
template <>
struct Carrier<VARIANT> {
  static constexpr VARTYPE vt = VT_VARIANT;
  static VARIANT& Of(VARIANT& v) { return v; }
};

template <class T>
concept Carried = requires {
  Carrier<T>::vt;
};

// A value held in a variant of its carrier type, zero until an argument is read.
template <class T>
class Held {
 public:
  Held() {
    VariantInit(&v_);
    if (Carrier<T>::vt != VT_VARIANT) v_.vt = Carrier<T>::vt;
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() { VariantClear(&v_); }

  HRESULT Load(ArgumentFrame& frame, unsigned position) {
    return frame.Load(position, Carrier<T>::vt, v_);
  }
  T& Value() { return Carrier<T>::Of(v_); }
  VARIANT& Raw() { return v_; }

 private:
  VARIANT v_;
};

// One parameter of a member: T as the member declares it.
template <class T>
struct Slot : Held<T> {  // an argument by value
  T Pass() { return this->Value(); }
  HRESULT WriteBack(ArgumentFrame&, unsigned) { return S_OK; }
};

template <Carried T>
struct Slot<T*> : Held<T> {  // an [in,out] argument, or the received value
  T* Pass() { return &this->Value(); }
  HRESULT WriteBack(ArgumentFrame& frame, unsigned position) {
    return frame.WriteBack(position, this->Raw());
  }
  void Return(ArgumentFrame& frame) { frame.Return(this->Raw()); }
};

template <Interface I>
struct Slot<I*> {  // an object argument
  HRESULT Load(ArgumentFrame& frame, unsigned position) {
    return frame.LoadObject(position, IidOf<I>(), object.put_void());
  }
  I* Pass() { return object.get(); }
  HRESULT WriteBack(ArgumentFrame&, unsigned) { return S_OK; }
  ComPtr<I> object;
};

template <Interface I>
struct Slot<I**> {  // a received object: VT_DISPATCH when it has IDispatch's slots
  I** Pass() { return object.put(); }
  void Return(ArgumentFrame& frame) {
    VARIANT v;
    VariantInit(&v);
    if constexpr (std::is_base_of_v<IDispatch, I>) {
      v.vt = VT_DISPATCH;
      v.pdispVal = object.detach();
    } else {
      v.vt = VT_UNKNOWN;
      v.punkVal = object.detach();
    }
    frame.Return(v);
    VariantClear(&v);
  }
  ComPtr<I> object;
};

// Runs the step of parameter N only for the parameters that take an argument.
template <bool IsArgument>
struct Step {
  template <class S>
  static HRESULT Load(S& slot, ArgumentFrame& frame, unsigned position) {
    return slot.Load(frame, position);
  }
  template <class S>
  static HRESULT WriteBack(S& slot, ArgumentFrame& frame, unsigned position) {
    return slot.WriteBack(frame, position);
  }
};
template <>
struct Step<false> {
  template <class S>
  static HRESULT Load(S&, ArgumentFrame&, unsigned) {
    return S_OK;
  }
  template <class S>
  static HRESULT WriteBack(S&, ArgumentFrame&, unsigned) {
    return S_OK;
  }
};

template <MemberKind Kind, class Face, auto Member, class Signature = decltype(Member)>
struct Invoker;

template <MemberKind Kind, class Face, auto Member, class Owner, class... Params>
struct Invoker<Kind, Face, Member, HRESULT (Owner::*)(Params...)> {
  static constexpr bool kReceives = Kind == MemberKind::Get || Kind == MemberKind::Func;
  static_assert(sizeof...(Params) > 0 || !(kReceives || Kind == MemberKind::Put),
                "a property or a function needs its value parameter");
  static constexpr unsigned kArguments = sizeof...(Params) - (kReceives ? 1 : 0);

  static HRESULT Run(void* face, ArgumentFrame& frame) {
    return RunWith(*static_cast<Face*>(face), frame, std::index_sequence_for<Params...>{});
  }

 private:
  template <size_t... N>
  static HRESULT RunWith(Face& face, ArgumentFrame& frame, std::index_sequence<N...>) {
    std::tuple<Slot<Params>...> slots;
    HRESULT hr = S_OK;
    // Arguments in order, stopping at the first that cannot be read.
    (void)(SUCCEEDED(hr = Step<(N < kArguments)>::Load(std::get<N>(slots), frame, N)) && ...);
    if (FAILED(hr)) return hr;
    hr = (face.*Member)(std::get<N>(slots).Pass()...);
    if (FAILED(hr)) return hr;
    (void)(SUCCEEDED(hr = Step<(N < kArguments)>::WriteBack(std::get<N>(slots), frame, N)) && ...);
    if constexpr (kReceives) std::get<sizeof...(Params) - 1>(slots).Return(frame);
    return hr;
  }
};

// What a declaration list adds its members to.
template <class F>
struct TableBuilder {
  using Face = F;
  template <MemberKind Kind, auto Member>
  void Add(std::string_view name) {
    using Call = Invoker<Kind, F, Member>;
    table.Add(name, Kind, Call::kArguments, &Call::Run);
  }
  DispatchTable& table;
};

template <class I>
concept DeclaresMembers = requires(TableBuilder<I>& builder) {
  I::DescribeMembers(builder);
};

template <class Face, class I>
void Describe(TableBuilder<Face>& builder) {
  if constexpr (DeclaresMembers<typename I::BaseInterface>)
    Describe<Face, typename I::BaseInterface>(builder);
  I::DescribeMembers(builder);
}

}  // namespace qcom::invoke

namespace qcom {

// The late-bound members of interface I, built once; empty unless I lists its members.
template <class I>
const DispatchTable& DispatchTableOf() {
  static const DispatchTable table = [] {
    DispatchTable built;
    if constexpr (invoke::DeclaresMembers<I>) {
      invoke::TableBuilder<I> builder{built};
      invoke::Describe<I, I>(builder);
    }
    return built;
  }();
  return table;
}

}  // namespace qcom
