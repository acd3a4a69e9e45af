#pragma once

class ServerMethods1;

namespace vorpa {

class Dispatcher;

/// Registers every server operation on the dispatcher, unpacking the checked parameters for the
/// operation's method and packing its answer in the declared result kind.
void registerOperations(Dispatcher &dispatcher, ServerMethods1 &methods);

} // namespace vorpa
