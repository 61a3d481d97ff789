#pragma once
// The base of the drawing classes and the templates through which their operations forward to
// the flat API.
//
// Ownership: an object and its copies share one cell holding the native handle. The native object
// is deleted exactly once: by the class's delete operation (which clears the handle for every
// copy) or by the destruction of the last copy. Setting a new handle deletes the one it replaces.
#include "drawing/flat.h"

#include <memory>
#include <ranges>
#include <tuple>
#include <type_traits>
#include <utility>

namespace drawing {

class ByteStream;

class DrawingObject {
 public:
  // Deletes a native object of the class; nullptr for classes that own none.
  using Release = Status(WINGDIPAPI*)(void*);

  // Slot 1, copy: the copy shares the native handle (and its deletion) with this object.
  DrawingObject(const DrawingObject&) = default;
  DrawingObject& operator=(const DrawingObject&) = default;

  void* native() const { return cell_->native; }  // slot 2
  void set_native(void* handle);                  // slot 3 (slot 4 is each class's set_handle)
  static void* alloc(std::size_t size);           // slot 5, GdipAlloc
  static void free(void* memory);                 // slot 6, GdipFree

 protected:
  explicit DrawingObject(Release release);
  // The class's delete operation: false without a handle (last_status untouched).
  bool delete_native();
  // A picture loaded from memory: the handle and the stream GDI+ reads it from, held together.
  void set_native(void* handle, ByteStream stream);

 private:
  // The handle shared by an object and its copies, with the stream a picture is read from.
  struct Cell {
    void* native = nullptr;
    Release release = nullptr;
    std::unique_ptr<ByteStream> stream;  // pictures loaded from memory only

    explicit Cell(Release r);
    Cell(const Cell&) = delete;
    ~Cell();
    Status clear();
  };
  std::shared_ptr<Cell> cell_;
};

// Field 2 of every class: the handle typed as the class's native object. All levels read the
// one shared cell, so setting the handle through any level updates every view.
template <typename Native, typename Base = DrawingObject>
class Handled : public Base {
 public:
  using native_type = Native;
  Native* handle() const { return static_cast<Native*>(this->native()); }
  void set_handle(Native* handle) { this->set_native(handle); }  // slot 4

 protected:
  using Base::Base;
};

namespace detail {

template <typename T>
using bare = std::remove_cvref_t<T>;

template <typename T>
concept Object = std::is_base_of_v<DrawingObject, bare<T>>;
template <typename T>
concept ObjectPointer = std::is_pointer_v<bare<T>> && Object<std::remove_pointer_t<bare<T>>>;
template <typename T>
concept GbkText = !std::is_same_v<bare<T>, std::nullptr_t> &&
                  std::is_convertible_v<const bare<T>&, std::string_view>;
template <typename T>
concept Sequence = std::ranges::contiguous_range<T> && std::ranges::sized_range<T> && !GbkText<T>;

template <typename P>
concept WidePointer = std::is_same_v<P, const WCHAR*> || std::is_same_v<P, WCHAR*> ||
                      std::is_same_v<P, const Gdiplus::UINT16*>;
template <typename P>
concept GuidParam = std::is_same_v<bare<std::remove_pointer_t<P>>, GUID>;
template <typename P>
concept HandleOut = std::is_pointer_v<P> && std::is_pointer_v<std::remove_pointer_t<P>> &&
                    std::is_class_v<std::remove_pointer_t<std::remove_pointer_t<P>>>;

// A program array fits a flat array parameter when the elements have the same layout.
template <typename P, typename R>
constexpr bool elements_fit() {
  if constexpr (!std::is_pointer_v<P> || !std::ranges::range<R>) {
    return false;
  } else {
    using Flat = std::remove_const_t<std::remove_pointer_t<P>>;
    using Mine = std::remove_cv_t<std::ranges::range_value_t<R>>;
    if constexpr (std::is_same_v<Flat, Mine>) return true;
    else if constexpr (std::is_integral_v<Flat> && std::is_integral_v<Mine>) return sizeof(Flat) == sizeof(Mine);
    else return false;
  }
}

// Holders turn one caller argument into one or two flat arguments and keep what the flat call
// points into (a converted text, a parsed GUID, an array's count) alive until it returns.
template <typename P>
struct Value {
  P value;
  template <typename A>
  explicit Value(A&& a) : value(static_cast<P>(std::forward<A>(a))) {}
  static constexpr std::size_t width = 1;
  bool valid() const { return true; }
  std::tuple<P> values() { return {value}; }
};

template <typename P>
struct Address {
  P address;
  template <typename A>
  explicit Address(A&& a) : address(std::addressof(a)) {}
  static constexpr std::size_t width = 1;
  bool valid() const { return true; }
  std::tuple<P> values() { return {address}; }
};

template <typename P>
struct HandleOf {
  P handle;
  template <typename O>
  explicit HandleOf(const O& o) {
    if constexpr (std::is_pointer_v<O>) handle = o ? o->handle() : nullptr;
    else handle = o.handle();
  }
  static constexpr std::size_t width = 1;
  bool valid() const { return true; }
  std::tuple<P> values() { return {handle}; }
};

template <typename O, typename Out>
constexpr bool holds() {
  if constexpr (std::is_same_v<O, DrawingObject>) return true;
  else return std::is_convertible_v<typename O::native_type*, Out> ||
              std::is_convertible_v<Out, typename O::native_type*>;
}

// A native object handed back by the call becomes the handle of the caller's object.
template <typename O, typename P>
struct Adopt {
  using Out = std::remove_pointer_t<P>;
  static_assert(holds<O, Out>(), "the object does not hold this kind of native object");
  O* target;
  Out out = nullptr;
  explicit Adopt(O& o) : target(&o) {}
  Adopt(const Adopt&) = delete;
  ~Adopt() {
    if (out) target->set_native(const_cast<void*>(static_cast<const void*>(out)));
  }
  static constexpr std::size_t width = 1;
  bool valid() const { return true; }
  std::tuple<P> values() { return {&out}; }
};

template <typename P, bool Counted>
struct Wide {
  std::wstring text;
  template <typename A>
  explicit Wide(const A& a) : text(widen(std::string_view(a))) {}
  static constexpr std::size_t width = Counted ? 2 : 1;
  bool valid() const { return true; }
  auto values() {
    const P chars = reinterpret_cast<P>(text.data());
    if constexpr (Counted) return std::tuple<P, INT>(chars, static_cast<INT>(text.size()));
    else return std::tuple<P>(chars);
  }
};

template <typename P>
struct GuidFromText {
  GUID guid;
  bool parsed;
  template <typename A>
  explicit GuidFromText(const A& a) : parsed(parse_guid(std::string_view(a), guid)) {}
  static constexpr std::size_t width = 1;
  bool valid() const { return parsed; }
  std::tuple<P> values() {
    if constexpr (std::is_pointer_v<P>) return {&guid};
    else return {guid};
  }
};

enum class Count { none, after, after_pointer, before };

// An array: its pointer, and its element count where the flat function takes one next to it.
template <typename Pointer, typename Counted, Count C>
struct Items {
  Pointer items;
  INT count;
  template <typename R>
  explicit Items(R&& r)
      : items(reinterpret_cast<Pointer>(std::ranges::data(r))),
        count(static_cast<INT>(std::ranges::size(r))) {}
  static constexpr std::size_t width = C == Count::none ? 1 : 2;
  bool valid() const { return true; }
  auto values() {
    if constexpr (C == Count::none) return std::tuple<Pointer>(items);
    else if constexpr (C == Count::after) return std::tuple<Pointer, Counted>(items, count);
    else if constexpr (C == Count::after_pointer) return std::tuple<Pointer, INT*>(items, &count);
    else return std::tuple<Counted, Pointer>(count, items);
  }
};

struct Unfit {
  static constexpr std::size_t width = 1;
};

template <typename Params, std::size_t I>
auto param_at() {
  if constexpr (I < std::tuple_size_v<Params>) return std::type_identity<std::tuple_element_t<I, Params>>{};
  else return std::type_identity<void>{};
}
template <typename Params, std::size_t I>
using ParamAt = typename decltype(param_at<Params, I>())::type;

// The holder for caller argument A at flat parameter I: the conversion rules of the layer.
template <typename Params, std::size_t I, typename A>
auto choose_holder() {
  using P = ParamAt<Params, I>;
  using N = ParamAt<Params, I + 1>;
  if constexpr (std::is_void_v<P>) {
    return std::type_identity<Unfit>{};
  } else if constexpr (Object<A> && HandleOut<P> && !std::is_const_v<std::remove_reference_t<A>>) {
    return std::type_identity<Adopt<bare<A>, P>>{};
  } else if constexpr ((Object<A> || ObjectPointer<A>) && std::is_pointer_v<P>) {
    return std::type_identity<HandleOf<P>>{};
  } else if constexpr (GbkText<A> && WidePointer<P>) {
    return std::type_identity<Wide<P, std::is_integral_v<N>>>{};
  } else if constexpr (GbkText<A> && GuidParam<P>) {
    return std::type_identity<GuidFromText<P>>{};
  } else if constexpr (Sequence<A> && elements_fit<P, A>()) {
    if constexpr (std::is_integral_v<N>) return std::type_identity<Items<P, N, Count::after>>{};
    else if constexpr (std::is_same_v<N, INT*>) return std::type_identity<Items<P, INT*, Count::after_pointer>>{};
    else return std::type_identity<Items<P, void, Count::none>>{};
  } else if constexpr (Sequence<A> && std::is_integral_v<P> && elements_fit<N, A>()) {
    return std::type_identity<Items<N, P, Count::before>>{};
  } else if constexpr (std::is_convertible_v<A, P>) {
    return std::type_identity<Value<P>>{};
  } else if constexpr (std::is_enum_v<P> && (std::is_integral_v<bare<A>> || std::is_enum_v<bare<A>>)) {
    return std::type_identity<Value<P>>{};
  } else if constexpr (std::is_pointer_v<P> &&
                       std::is_convertible_v<std::remove_reference_t<A>*, P>) {
    return std::type_identity<Address<P>>{};
  } else {
    return std::type_identity<Unfit>{};
  }
}

template <typename H, typename Tuple>
struct Prepend;
template <typename H, typename... T>
struct Prepend<H, std::tuple<T...>> {
  using type = std::tuple<H, T...>;
};

// How the caller's arguments fill the flat parameters from the I-th on; fits when they fill
// every one of them.
template <typename Params, std::size_t I, typename... A>
struct Plan {
  using holders = std::tuple<>;
  static constexpr bool fits = I == std::tuple_size_v<Params>;
};
template <typename Params, std::size_t I, typename A, typename... Rest>
struct Plan<Params, I, A, Rest...> {
  using Holder = typename decltype(choose_holder<Params, I, A>())::type;
  using Next = Plan<Params, I + Holder::width, Rest...>;
  using holders = typename Prepend<Holder, typename Next::holders>::type;
  static constexpr bool fits = !std::is_same_v<Holder, Unfit> && Next::fits;
};

template <typename Fn>
struct Signature;
template <typename R, typename... P>
struct Signature<R(WINGDIPAPI*)(P...)> {
  using Params = std::tuple<P...>;
  using Last = std::tuple_element_t<sizeof...(P) - 1, Params>;
};

template <typename Fn, std::size_t First, typename... A>
concept Fits = Plan<typename Signature<Fn>::Params, First, A...>::fits;

template <FlatName Name, typename Fn>
Status WINGDIPAPI release_with(void* handle) {
  const Fn release = flat_entry<Name, Fn>();
  using Param = std::tuple_element_t<0, typename Signature<Fn>::Params>;
  return release ? release(static_cast<Param>(handle)) : Gdiplus::NotImplemented;
}

// The value a getter returns: what its last flat parameter points to.
template <typename Fn>
using Read = std::remove_pointer_t<typename Signature<Fn>::Last>;

// Calls fn with the leading arguments (the object's own handle, if any) and the converted caller
// arguments; records and returns the status.
template <std::size_t First, typename Fn, typename... Lead, typename... A>
Status forward(Fn fn, std::tuple<Lead...> lead, A&&... a) {
  using Holders = typename Plan<typename Signature<Fn>::Params, First, A...>::holders;
  Holders holders{std::forward<A>(a)...};
  Status status = Gdiplus::NotImplemented;
  if (fn) {
    status = std::apply(
        [&](auto&... each) {
          if (!(each.valid() && ...)) return Gdiplus::InvalidParameter;
          return std::apply(fn, std::tuple_cat(lead, each.values()...));
        },
        holders);
  }
  record(status);
  return status;
}

template <std::size_t First, typename Fn, typename... Lead, typename... A>
Read<Fn> read(Fn fn, std::tuple<Lead...> lead, A&&... a) {
  Read<Fn> value{};
  forward<First>(fn, lead, std::forward<A>(a)..., value);
  return value;
}

// Reads a count, then that many items: the "count, then list" operations.
template <typename T, typename CountFn, typename ListFn, typename H>
std::vector<T> read_list(CountFn count_fn, ListFn list_fn, H handle) {
  const auto count = read<1>(count_fn, std::tuple(handle));
  if (last_status.load(std::memory_order_relaxed) != Gdiplus::Ok || count <= 0) return {};
  std::vector<T> items(static_cast<std::size_t>(count));
  if (forward<1>(list_fn, std::tuple(handle), items) != Gdiplus::Ok) return {};
  return items;
}

// A scale or rotation about (x, y). Prepend order: translate by (x, y), apply, translate back;
// append order: translate by (-x, -y), apply, translate back; every step in the given order.
template <typename Translate, typename Apply>
bool about_point(REAL x, REAL y, Gdiplus::MatrixOrder order, Translate translate, Apply apply) {
  const REAL sign = order == Gdiplus::MatrixOrderPrepend ? 1.0f : -1.0f;
  return translate(sign * x, sign * y) && apply() && translate(-sign * x, -sign * y);
}

}  // namespace detail
}  // namespace drawing

// The release function of a class: its flat delete function.
#define DRAWING_RELEASE(fn) \
  (&::drawing::detail::release_with<#fn, decltype(&::Gdiplus::DllExports::fn)>)

// One row of a class's operation list: the operation `name` forwards to the flat function `fn`
// with the object's handle first; true when the status is Ok.
#define DRAWING_OP(name, fn)                                                              \
  template <typename... A>                                                                \
    requires ::drawing::detail::Fits<decltype(&::Gdiplus::DllExports::fn), 1, A...>      \
  bool name(A&&... a) const {                                                             \
    return ::drawing::detail::forward<1>(DRAWING_FLAT(fn), std::tuple(this->handle()),    \
                                         std::forward<A>(a)...) == ::Gdiplus::Ok;         \
  }

// A getter: forwards like DRAWING_OP and returns what the flat function wrote through its last
// parameter as `type`.
#define DRAWING_READ(name, fn, type)                                                      \
  template <typename... A>                                                                \
    requires(::drawing::detail::Fits<                                                    \
             decltype(&::Gdiplus::DllExports::fn), 1, A...,                               \
             ::drawing::detail::Read<decltype(&::Gdiplus::DllExports::fn)>&>)             \
  type name(A&&... a) const {                                                             \
    return static_cast<type>(::drawing::detail::read<1>(                                  \
        DRAWING_FLAT(fn), std::tuple(this->handle()), std::forward<A>(a)...));            \
  }
#define DRAWING_GET(name, fn) \
  DRAWING_READ(name, fn, ::drawing::detail::Read<decltype(&::Gdiplus::DllExports::fn)>)
// A getter of a BOOL (which is an int to the compiler), returned as bool.
#define DRAWING_GET_BOOL(name, fn) DRAWING_READ(name, fn, bool)

// The list of a "count, then list" operation as a vector.
#define DRAWING_LIST(name, type, count_fn, list_fn)                                       \
  std::vector<type> name() const {                                                         \
    return ::drawing::detail::read_list<type>(DRAWING_FLAT(count_fn), DRAWING_FLAT(list_fn), \
                                              this->handle());                             \
  }

// The "about a point" forms of a class's scale and rotate operations, over its translate.
#define DRAWING_SCALE_ABOUT(scale, translate)                                                \
  bool scale(REAL sx, REAL sy, REAL x, REAL y,                                               \
             ::Gdiplus::MatrixOrder order = ::Gdiplus::MatrixOrderPrepend) const {           \
    return ::drawing::detail::about_point(                                                   \
        x, y, order, [&](REAL dx, REAL dy) { return translate(dx, dy, order); },             \
        [&] { return scale(sx, sy, order); });                                               \
  }
#define DRAWING_ROTATE_ABOUT(rotate, translate)                                              \
  bool rotate(REAL angle, REAL x, REAL y,                                                    \
              ::Gdiplus::MatrixOrder order = ::Gdiplus::MatrixOrderPrepend) const {          \
    return ::drawing::detail::about_point(                                                   \
        x, y, order, [&](REAL dx, REAL dy) { return translate(dx, dy, order); },             \
        [&] { return rotate(angle, order); });                                               \
  }

// A create operation: the flat function's last parameter receives the new native object, which
// becomes this object's handle.
#define DRAWING_CREATE(name, fn)                                                          \
  template <typename... A>                                                                \
    requires ::drawing::detail::Fits<decltype(&::Gdiplus::DllExports::fn), 0, A...,       \
                                     ::drawing::DrawingObject&>                           \
  bool name(A&&... a) {                                                                   \
    return ::drawing::detail::forward<0>(DRAWING_FLAT(fn), std::tuple(),                  \
                                         std::forward<A>(a)...,                           \
                                         static_cast<::drawing::DrawingObject&>(*this)) ==  \
           ::Gdiplus::Ok;                                                                 \
  }
