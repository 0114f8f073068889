// Where Zolvane finds its updates: the update server answers the index at "/", the product web
// host serves the dated archives and the purchase page. Macros, so that the resource script
// shows the same purchase address.
#pragma once

#define UPDATE_SERVER_HOST "updates.example.net"
#define PRODUCT_WEB_HOST "www.example.net"
#define PURCHASE_LINK_TEXT "http://www.example.net/buy-vpn"
