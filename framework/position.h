// A place in a collection, opaque to its users.
#pragma once

struct CollectionPosition {};
typedef CollectionPosition* POSITION;
