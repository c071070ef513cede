namespace brivon::sim {}
