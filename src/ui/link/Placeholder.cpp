namespace brivon::ui {}
