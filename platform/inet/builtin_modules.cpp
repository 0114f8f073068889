// wininet.dll: its functions and its message table, from which FormatMessage takes the texts
// of the 12000-range errors.
#include <wininet.h>

#include "kernel/builtin_modules.h"

namespace platform::inet {
namespace {

using modules::entry;

const modules::Builtin wininet(
    u"wininet",
    {{"HttpAddRequestHeadersA", entry(HttpAddRequestHeadersA)},
     {"HttpAddRequestHeadersW", entry(HttpAddRequestHeadersW)},
     {"HttpOpenRequestA", entry(HttpOpenRequestA)},
     {"HttpOpenRequestW", entry(HttpOpenRequestW)},
     {"HttpQueryInfoA", entry(HttpQueryInfoA)},
     {"HttpQueryInfoW", entry(HttpQueryInfoW)},
     {"HttpSendRequestA", entry(HttpSendRequestA)},
     {"HttpSendRequestW", entry(HttpSendRequestW)},
     {"InternetCloseHandle", entry(InternetCloseHandle)},
     {"InternetConnectA", entry(InternetConnectA)},
     {"InternetConnectW", entry(InternetConnectW)},
     {"InternetCrackUrlA", entry(InternetCrackUrlA)},
     {"InternetCrackUrlW", entry(InternetCrackUrlW)},
     {"InternetGetLastResponseInfoA", entry(InternetGetLastResponseInfoA)},
     {"InternetGetLastResponseInfoW", entry(InternetGetLastResponseInfoW)},
     {"InternetOpenA", entry(InternetOpenA)},
     {"InternetOpenW", entry(InternetOpenW)},
     {"InternetQueryOptionA", entry(InternetQueryOptionA)},
     {"InternetQueryOptionW", entry(InternetQueryOptionW)},
     {"InternetReadFile", entry(InternetReadFile)},
     {"InternetSetOptionA", entry(InternetSetOptionA)},
     {"InternetSetOptionW", entry(InternetSetOptionW)},
     {"InternetSetStatusCallback", entry(InternetSetStatusCallback)},
     {"InternetSetStatusCallbackA", entry(InternetSetStatusCallbackA)},
     {"InternetSetStatusCallbackW", entry(InternetSetStatusCallbackW)}},
    nullptr,
    {{ERROR_INTERNET_OUT_OF_HANDLES, "No more Internet handles can be allocated"},
     {ERROR_INTERNET_TIMEOUT, "The operation timed out"},
     {ERROR_INTERNET_EXTENDED_ERROR, "The server returned extended information"},
     {ERROR_INTERNET_INTERNAL_ERROR, "An internal error occurred in the Microsoft Internet extensions"},
     {ERROR_INTERNET_INVALID_URL, "The URL is invalid"},
     {ERROR_INTERNET_UNRECOGNIZED_SCHEME, "The URL does not use a recognized protocol"},
     {ERROR_INTERNET_NAME_NOT_RESOLVED, "The server name or address could not be resolved"},
     {ERROR_INTERNET_PROTOCOL_NOT_FOUND, "A protocol with the required capabilities was not found"},
     {ERROR_INTERNET_INVALID_OPTION, "The option is invalid"},
     {ERROR_INTERNET_BAD_OPTION_LENGTH, "The length is incorrect for the option type"},
     {ERROR_INTERNET_OPTION_NOT_SETTABLE, "The option value cannot be set"},
     {ERROR_INTERNET_SHUTDOWN, "Microsoft Internet Extension support has been shut down"},
     {ERROR_INTERNET_INVALID_OPERATION, "The requested operation is invalid"},
     {ERROR_INTERNET_OPERATION_CANCELLED, "The operation has been canceled"},
     {ERROR_INTERNET_INCORRECT_HANDLE_TYPE, "The supplied handle is the wrong type for the requested operation"},
     {ERROR_INTERNET_INCORRECT_HANDLE_STATE, "The handle is in the wrong state for the requested operation"},
     {ERROR_INTERNET_CANNOT_CONNECT, "A connection with the server could not be established"},
     {ERROR_INTERNET_CONNECTION_ABORTED, "The connection with the server was terminated abnormally"},
     {ERROR_INTERNET_CONNECTION_RESET, "The connection with the server was reset"},
     {ERROR_HTTP_HEADER_NOT_FOUND, "The requested header was not found"},
     {ERROR_HTTP_INVALID_SERVER_RESPONSE, "The server returned an invalid or unrecognized response"},
     {ERROR_HTTP_INVALID_HEADER, "The supplied HTTP header is invalid"},
     {ERROR_HTTP_INVALID_QUERY_REQUEST, "The request made to HttpQueryInfo is invalid"},
     {ERROR_HTTP_HEADER_ALREADY_EXISTS, "The HTTP header already exists"},
     {ERROR_HTTP_REDIRECT_FAILED, "The HTTP redirect request failed"}});

}  // namespace
}  // namespace platform::inet
